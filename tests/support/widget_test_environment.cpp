// Widget tests need one application object for the whole test program. It is
// created only when no other part of the program has made one.
#include <gtest/gtest.h>
#include <QApplication>
#include <memory>

namespace {

class WidgetTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (QApplication::instance() == nullptr)
            app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "quarvo-tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new WidgetTestEnvironment);

}  // namespace
