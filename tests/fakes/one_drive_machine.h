#pragma once
// A machine with one unlabelled drive c:, no file types and an empty
// settings file: enough for a statistics window whose tallies are filled
// by hand.

#include "forms/program_services.h"
#include "tests/fakes/fake_classes_root.h"
#include "tests/fakes/fake_profile_file.h"
#include "tests/fakes/fake_volume_api.h"

namespace quarvo::testing {

struct OneDriveMachine {
    OneDriveMachine() { volumes.add('c', {}); }

    FakeVolumeApi volumes;
    FakeProfileFile profile;
    FakeClassesRoot classes;
    ProgramServices services{volumes, profile, classes, {",", "."}};
};

}  // namespace quarvo::testing
