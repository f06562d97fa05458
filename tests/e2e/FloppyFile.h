#pragma once
// dp.ini as bytes: lines ended by CR LF, key=value. The walks build the floppy file they start
// from and the exact file they expect after a save.
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

// The configuration file in the root of the floppy.
inline const std::string kConfigFile = "dp.ini";

// Each line followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);
// The lines of a file split at CR LF; a last line without one is kept as it is.
std::vector<std::string> SplitLines(const std::string& bytes);

// file with the value of each named key replaced in its line ("key=value"); every key must
// stand in exactly one line.
std::string WithValues(const std::string& file, const std::map<std::string, std::string>& values);

// A floppy file as a server's floppy holds it: every key the program knows, in the order of the
// default file, plus lines it does not know (a comment, a blank line, keys of its own) that a
// save must leave in place.
std::string SampleFloppyFile();

// Fails the test unless the floppy holds exactly expected; a difference is shown line by line.
void ExpectFloppyFile(const std::string& expected, const std::optional<std::string>& actual);

} // namespace e2e
