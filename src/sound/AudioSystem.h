#pragma once

class AudioDevice;

// The one audio device of the program. The entry installs the real one;
// anything else (tests in particular) gets a silent device unless it
// installs its own.
namespace AudioSystem {

AudioDevice &device();

// Not owned; the device must outlive its use. Null brings back the silent one.
void install(AudioDevice *device);

// False while the program runs on the silent device: it then makes no
// sound and does no sound work of its own at start-up, quit and in drills.
bool isInstalled();

} // namespace AudioSystem
