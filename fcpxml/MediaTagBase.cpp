#include "fcpxml/MediaTagBase.h"

#include "fcpxml/XmlWriter.h"

void MediaTagBase::AddVideoTrack(const TrackInfo& track)
{
    if (video.empty())
        video.emplace_back();
    video.front().tracks.push_back(track);
}

void MediaTagBase::AddVideoTrack(TrackInfo&& track)
{
    if (video.empty())
        video.emplace_back();
    video.front().tracks.push_back(std::move(track));
}

void MediaTagBase::AddAudioTrack(const TrackInfo& track)
{
    if (audio.empty())
        audio.emplace_back();
    audio.front().tracks.push_back(track);
}

void MediaTagBase::AddAudioTrack(TrackInfo&& track)
{
    if (audio.empty())
        audio.emplace_back();
    audio.front().tracks.push_back(std::move(track));
}

void MediaTagBase::AddAudio(const AudioInfo& entry)
{
    AudioInfo copy = entry;
    if (!video.empty())
        copy.SetChannelCount(copy.channelcount);
    audio.push_back(std::move(copy));
}

void MediaTagBase::InitFromMediaSettings(const MediaSettings& settings)
{
    video.emplace_back(settings);
    audio.emplace_back(settings);
}

void MediaTagBase::WriteMedia()
{
    WriteXmlContainer("media", [&] {
        for (std::size_t j = 0; j < video.size(); ++j) {
            video[j].layerindex = static_cast<int>(j);
            WriteVideo(video[j]);
        }
        for (const AudioInfo& entry : audio)
            WriteAudio(entry);
    });
}
