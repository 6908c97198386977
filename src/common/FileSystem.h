#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vistarel {

// Folder texts end in '/'; a path is a folder text followed by a file name.

bool folderExists(const std::string& path); // an empty text is no folder
bool fileExists(const std::string& path);   // a regular file or a link to one

// True when both texts name the same existing folder (links and trailing slashes
// resolved).
bool sameExistingFolder(const std::string& a, const std::string& b);

// Names of the regular files (and links to them) in folder whose names end in
// extension (or in any of extensions), in any letter case, in natural order (see
// NaturalOrder.h).
std::vector<std::string> listFilesWithExtension(const std::string& folder,
                                                const std::string& extension);
std::vector<std::string> listFilesWithExtensions(const std::string& folder,
                                                 const std::vector<std::string>& extensions);

bool endsWithIgnoringCase(const std::string& text, const std::string& suffix);

// Whole-file I/O. Lines end at CR LF, LF or CR when read; written with CR LF after every
// line. All throw the program's file errors. A file is written whole or not at all (see
// ReplacingFile): a failed write leaves the earlier file as it was.
std::vector<std::string> readTextLines(const std::string& path);
std::vector<std::string> splitTextLines(std::string_view bytes);
void writeTextLines(const std::string& path, const std::vector<std::string>& lines);
void writeFileBytes(const std::string& path, const std::string& bytes);
std::string readFileBytes(const std::string& path);

// The folder holding the program's styles and help, ending in '/': the executable's own
// folder when css/ lies there (a build tree), else ../share/vistarel/ from it when that
// exists (installed). programFolderFor makes that choice for a given executable folder;
// tests may point programFolder elsewhere.
std::string programFolder();
void setProgramFolder(const std::string& folder);
std::string programFolderFor(const std::string& exeFolder);
std::string stylesFolder(); // programFolder() + "css/"

// Appends '/' when the text does not end in one.
std::string withTrailingSeparator(std::string folder);

} // namespace vistarel
