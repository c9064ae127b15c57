#include "fcpxml/VideoInfo.h"

#include "fcpxml/XmlWriter.h"

VideoInfo::VideoInfo(const MediaSettings& settings) { formats.emplace_back(2, settings); }

void WriteVideo(const VideoInfo& video)
{
    WriteXmlContainer("video", [&] {
        for (const FormatInfo& format : video.formats)
            WriteFormat(format);
        for (const TrackInfo& track : video.tracks)
            WriteTrack(track);
        if (video.tracks.empty() && video.duration != -1)
            WriteXmlIntElement("duration", video.duration);
        if (video.stillframe)
            WriteXmlTextElement("stillframe", "TRUE");
        if (!video.alphatype.empty() && video.alphatype != "none")
            WriteXmlTextElement("alphatype", video.alphatype);
        if (video.stillframe)
            WriteXmlIntElement("layerindex", video.layerindex);
        for (const SampleCharacteristicsInfo& sample : video.samplecharacteristics)
            WriteXmlContainer("samplecharacteristics", [&] { WriteFrameSize(sample); });
    });
}
