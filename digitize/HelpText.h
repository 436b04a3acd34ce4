#pragma once
// The help text of the main window's menu item "HELP".

#include <QString>

namespace tracol {

QString mainWindowHelpText();

} // namespace tracol
