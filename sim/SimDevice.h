#pragma once

// The virtual keyboard: a substitute device that plays the keyboard's side of
// every exchange. Its memory, its fault switches and its report log live in
// one folder, so several processes (a test, the program, talvane68ctl) can
// share one virtual keyboard. VirtualKeyboard.h is the control side.

#include <memory>
#include <string>

#include "hwi/DeviceChannel.h"

namespace talvane68::sim {

// Enumerates the virtual keyboard kept in dir (created when missing) and
// opens channels to it.
std::shared_ptr<DeviceEnumerator> makeEnumerator(const std::string& dir);

}  // namespace talvane68::sim
