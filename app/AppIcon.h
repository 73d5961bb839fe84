#pragma once

#include <QIcon>

namespace talvane68 {

// The application icon: a small key cap with a lit edge, drawn in the skin's
// colours at the sizes the desktop asks for.
QIcon appIcon();

}  // namespace talvane68
