#pragma once

#include <string>
#include <vector>

#include "fcpxml/ImageProcessing.h"
#include "fcpxml/QtCodecTable.h"

struct MediaSettings;

// The "data" element of an application block: codec descriptions or image-processing hints.
struct DataInfo {
    std::vector<QtCodecInfo> qtcodecs;
    std::vector<FcpImageProcessingInfo> imageprocessing;

    DataInfo() = default;
    // codecForm: one codec description of the output codec; otherwise one image-processing entry
    // built from the settings.
    DataInfo(const MediaSettings& settings, bool codecForm);
};

// The "appspecificdata" element.
struct AppSpecificDataInfo {
    std::string appname;
    std::string appmanufacturer;
    std::string appversion;
    std::vector<DataInfo> data;

    AppSpecificDataInfo() = default;
    AppSpecificDataInfo(const MediaSettings& settings, bool codecForm);
};

void WriteData(const DataInfo& data);
void WriteAppSpecificData(const AppSpecificDataInfo& block);
