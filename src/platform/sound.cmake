# Sound: the wave device (libsndfile decoding, QAudioSink output or a silent clock) and the
# play-a-wave call.
target_sources(orvik_platform PRIVATE
  wave_device.cpp wave_device.h
  wave_player.cpp wave_player.h
)
