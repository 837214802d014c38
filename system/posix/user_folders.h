#pragma once
// The user's folders by the XDG base directory rules: a relative value of a
// variable counts as unset.

#include <string>

namespace quarvo {

[[nodiscard]] std::string homeFolder();
// $XDG_CONFIG_HOME, else ~/.config.
[[nodiscard]] std::string configFolder();
// $XDG_DATA_HOME, else ~/.local/share.
[[nodiscard]] std::string dataFolder();

}  // namespace quarvo
