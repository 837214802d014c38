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
        {".class", "application/x-java", "Java class"},
        {".desktop", "application/x-desktop", "Desktop configuration file"},
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
    // Too long to be a file type: rather part of a name.
    classes.add(".abcdefghijklmnopq", "application/x-long");
    classes.add("application/x-long", "Long name");
}

}  // namespace quarvo::testing
