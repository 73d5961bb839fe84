#pragma once

namespace talvane68 {

// Results a modal window ends with (QDialog::done): OK and Cancel.
inline constexpr int kDialogOk = 1;
inline constexpr int kDialogCancel = 2;

}  // namespace talvane68
