# Source lists come from the tree, so they never drift from it.
# quarvo_sources(VAR folder...) collects the .cpp and .h files of each folder
# (not its subfolders) into VAR.
function(quarvo_sources var)
  set(found)
  foreach(dir IN LISTS ARGN)
    file(GLOB files CONFIGURE_DEPENDS
      "${PROJECT_SOURCE_DIR}/${dir}/*.cpp" "${PROJECT_SOURCE_DIR}/${dir}/*.h")
    list(APPEND found ${files})
  endforeach()
  set(${var} ${found} PARENT_SCOPE)
endfunction()

if(WIN32)
  set(QUARVO_PLATFORM win32)
else()
  set(QUARVO_PLATFORM posix)
endif()
