#pragma once
// Keeps a handler from running inside itself: the first entry sets the flag
// for as long as the guard lives, and clears it however the handler ends;
// a nested entry finds the flag set and is told to return.

namespace quarvo {

class ReentryGuard {
public:
    explicit ReentryGuard(bool& flag) : flag_(flag), entered_(!flag) { flag_ = true; }
    ~ReentryGuard() {
        if (entered_) flag_ = false;
    }
    ReentryGuard(const ReentryGuard&) = delete;
    ReentryGuard& operator=(const ReentryGuard&) = delete;

    // False when the flag was already set: the caller must return at once.
    [[nodiscard]] bool entered() const { return entered_; }

private:
    bool& flag_;
    bool entered_;
};

}  // namespace quarvo
