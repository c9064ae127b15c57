#pragma once

#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "fcpxml/IDTagBase.h"
#include "fcpxml/ItemTagBase.h"
#include "fcpxml/MediaTagBase.h"
#include "fcpxml/TimecodeInfo.h"

struct MobSourceInfo;

// The ids of the <file> elements already written in full in this run: a file is written whole the
// first time and as a reference after that. Emptied by the per-run reset.
extern IdRegistry WrittenFileIds;

// The fixed length of a slug's stand-in file.
inline constexpr int kSlugFileDuration = 3600;

// The duration of a slug's file: the fixed length, or the slug's own length when that is longer.
int SlugFileDuration(int length);

// <file>: a media file with its path, timecodes and media description.
class FCPFileTag : public ItemTagBase, public IDTagBase, public MediaTagBase {
public:
    explicit FCPFileTag(const std::string& fileName);
    FCPFileTag(const FCPFileTag&) = default;
    FCPFileTag& operator=(const FCPFileTag&) = default;
    FCPFileTag(FCPFileTag&&) = default;
    FCPFileTag& operator=(FCPFileTag&&) = default;
    ~FCPFileTag() override = default;

    std::string GetAlphaType() const { return alphatype; }

    // Fill the file from the media sources of a master mob slot.
    void SetTimecodesFromSources(const std::vector<MobSourceInfo>& pictureSources,
                                 const std::vector<MobSourceInfo>& soundSources);
    void AddVideoFromSources(const std::vector<MobSourceInfo>& pictureSources);
    void AddAudioFromSources(const std::vector<MobSourceInfo>& soundSources, int pictureCount);

    // Turns a fresh file into the stand-in for missing media of the given data kind. length is the
    // slug's own length: the file is made long enough to hold it.
    void MakeSlug(int dataKind, int length = 0);

    void AssignIdFromTagName();

    // Writing fills in computed timecode texts and layer indexes, hence not const.
    void WriteFile();
    void WritePathUrl() const;
    void WriteFileTimecodes();

    int duration = 0;
    int width;
    int height;
    std::string pathurl;
    std::string mediaSource;
    TimecodeInfo timecode;
    std::map<int, TimecodeInfo> timecodes;
    std::string alphatype;
};

// The pathurl text of a media path: percent-escapes decoded once, then XML-escaped, then blanks and
// literal percent signs encoded.
std::string EncodePathUrl(const std::string& path);
