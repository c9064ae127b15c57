#pragma once

#include <map>
#include <string>

// Media paths between the AAF import and the media-settings file, in byte order of the paths: in
// run mode 1 each path maps to itself, in run mode 2 each old path to the host's new one.
extern std::map<std::string, std::string> SourcePathMap;

// Empties SourcePathMap (run mode 1 after writing its list, the conversion job when it ends).
void ClearSourcePathMap();

void RememberSourcePath(const std::string& path);

// Replaces path by its relinked path, or by its percent-decoded form when the relink list lacks it.
void MapSourcePath(std::string& path);

// Run mode 1: adds the media file list of SourcePathMap to the INI file ("FileName<i>" sections and
// "Number_of_File"); what the file held before stays. False when the file could not be written.
bool SaveMediaFileList(const std::string& filePath);
bool WriteMediaFileListIni(const std::string& filePath);

// Run mode 2: reads the host's relink list ("File_<i>" sections) into SourcePathMap. A missing file
// gives an empty list.
void LoadMediaRelinkList(const std::string& filePath);
void ReadMediaRelinkIni(const std::string& filePath);
