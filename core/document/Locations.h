#pragma once
// Where the program finds its content and keeps its settings: beside the
// executable when that folder is writable, else in the user's XDG folders.
#include <string>

#include "core/util/FileIO.h"

namespace viramo {

// The folder of the running executable; tests may point it elsewhere.
std::string ProgramFolder();
void SetProgramFolder(const std::string& folder);

// The user's folder for settings ($XDG_CONFIG_HOME/fotoviramo or ~/.config/fotoviramo).
std::string UserConfigFolder();

// The text of a settings file: the newer of the copy beside the program and
// the copy in the user's folder; empty when neither can be read.
std::string ReadSettingsFile(const std::string& name);
// Writes beside the program, or into the user's folder when that fails.
// Returns the path written; throws FileError when neither can be written.
std::string WriteSettingsFile(const std::string& name, const Bytes& data);

// A folder the program writes content into (the effect catalogue's previews):
// name beside the program when it can be made and written there, else in the
// user's cache folder ($XDG_CACHE_HOME/fotoviramo or ~/.cache/fotoviramo).
// Empty when neither can be made.
std::string WritableFolder(const std::string& name);

}  // namespace viramo
