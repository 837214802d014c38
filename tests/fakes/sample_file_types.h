#pragma once
// A small file-type registry of common extensions, each with its class and
// the class's description, for the set-up dialogs' tests and pictures.

#include "tests/fakes/fake_classes_root.h"

namespace quarvo::testing {

inline void addSampleFileTypes(FakeClassesRoot& classes) {
    const struct {
        const char* ext;
        const char* className;
        const char* description;
    } types[] = {
        {".bmp", "image/bmp", "Windows BMP image"},
        {".c", "text/x-csrc", "C source code"},
        {".dll", "application/x-sharedlib", "Shared library"},
        {".doc", "application/msword", "Word document"},
        {".exe", "application/x-ms-dos-executable", "DOS/Windows executable"},
        {".gif", "image/gif", "GIF image"},
        {".htm", "text/html", "HTML document"},
        {".html", "text/html", "HTML document"},
        {".jpg", "image/jpeg", "JPEG image"},
        {".pdf", "application/pdf", "PDF document"},
        {".png", "image/png", "PNG image"},
        {".txt", "text/plain", "Plain text document"},
        {".wav", "audio/x-wav", "WAV audio"},
        {".xls", "application/vnd.ms-excel", "Excel spreadsheet"},
        {".zip", "application/zip", "Zip archive"},
    };
    for (const auto& type : types) {
        classes.add(type.ext, type.className);
        classes.add(type.className, type.description);
    }
    // Too long for the list of registered extensions.
    classes.add(".class", "application/x-java");
    classes.add("application/x-java", "Java class");
}

}  // namespace quarvo::testing
