#pragma once
// A machine for the scan set-up dialogs: a labelled system drive c: (the
// current one), an unlabelled data drive, an empty CD-ROM drive and a memory
// stick; the sample file types; a settings file with no lists yet.

#include "forms/program_services.h"
#include "tests/fakes/fake_profile_file.h"
#include "tests/fakes/fake_volume_api.h"
#include "tests/fakes/sample_file_types.h"

namespace quarvo::testing {

struct SetupMachine {
    SetupMachine() {
        volumes.add('c', FakeDrive{.label = "system"});
        volumes.add('d', FakeDrive{.label = ""});
        volumes.add('e', FakeDrive{.type = kDriveCdrom, .ready = false});
        volumes.add('f', FakeDrive{.type = kDriveRemovable, .label = "stick"});
        addSampleFileTypes(classes);
    }
    // Saves a list of patterns under section, as the editor would.
    void saveList(const std::string& section, const std::vector<std::string>& patterns) {
        FakeProfileFile::Keys keys{{"Number", std::to_string(patterns.size())}};
        for (std::size_t i = 0; i < patterns.size(); ++i)
            keys.emplace_back("File" + std::to_string(i + 1), patterns[i]);
        profile.sections.emplace_back(section, keys);
    }

    FakeVolumeApi volumes;
    FakeProfileFile profile;
    FakeClassesRoot classes;
    ProgramServices services{volumes, profile, classes, {",", "."}};
};

}  // namespace quarvo::testing
