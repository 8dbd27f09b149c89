// Sound: the main window's sound role over the program's two audio devices, which come from the
// start-up environment (the machine's own by default); the settings dialog's click sound.

#include "app/data_module.h"
#include "platform/wave_device.h"
#include "program/settings_binding.h"
#include "program/wiring.h"
#include "sound/main_window_sound.h"

void wireSound(ProgramParts& parts) {
  const auto device = [&parts]() -> std::unique_ptr<orvik::WaveDevice> {
    return parts.env && parts.env->makeWaveDevice ? parts.env->makeWaveDevice() : nullptr;
  };
  // The media player of entry sounds first, then the output of names and interface sounds.
  std::unique_ptr<orvik::WaveDevice> entryPlayer = device();
  std::unique_ptr<orvik::WaveDevice> nameOutput = device();
  auto* sound =
      parts.own<MainWindowSound>(parts.data, std::move(entryPlayer), std::move(nameOutput));
  parts.handOver.sound = sound;
  parts.sound = sound;
  if (parts.settingsBinding) parts.settingsBinding->setSound(sound);
}
