#pragma once

class AudioDevice;

// The one audio device of the program. The entry installs the real one;
// anything else (tests in particular) gets a silent device unless it
// installs its own.
namespace AudioSystem {

AudioDevice &device();

// Not owned; the device must outlive its use. Null brings back the silent one.
void install(AudioDevice *device);

} // namespace AudioSystem
