// Which device names are handed to alsa-lib: plain names only.
//
// alsa-lib reads a device name as a small piece of its configuration
// language: it may define a plugin inline, pass it arguments in quotes, or
// name a plugin that writes a file, pipes into a command or opens a path.
// The name comes from tiklora.txt, which travels with a song's folder, or
// from the `o` prompt, so it is held to what a name needs: letters, digits
// and _ - . : , =, and none of the plugins below as one of its parts. A
// device that needs more is defined in ~/.asoundrc and chosen by its name.
// The console checks every name before it becomes the device setting.
#pragma once

// Returns nullptr when `name` is a plain device name; otherwise why it is
// not, as a phrase (such as "braces define a plugin inline"). Refused are
// any character but letters, digits and _ - . : , =, and, as any part
// between those four separators, the plugins file, tee, shm, oss and
// arcam_av.
const char* unsafe_device_reason(const char* name);

// Whether `name` may become the device. When it may not, prints on
// standard output "Device 'NAME' refused: a device name may not define a
// plugin or name a file (here: REASON).", then "Define such a device in
// ~/.asoundrc and choose it by its name there. OUTCOME 'DEVICE'." (such as
// "Using 'default'.").
bool device_name_accepted(const char* name, const char* outcome, const char* device);
