#pragma once
// Kept for the component's published contract: lists and DVD information it makes empty; nothing reads them.
#include "media/MediaInfoInspector.h"

#include <string>
#include <vector>

struct DvdInfo {
    std::vector<std::string> titles;
};

class MediaInfoComponent : public MediaInfoInspector {
public:
    using MediaInfoInspector::MediaInfoInspector;

    const std::vector<std::string>& audioCodecs() const { return audioCodecs_; }
    const std::vector<std::string>& videoCodecs() const { return videoCodecs_; }
    const std::vector<std::string>& directShowFilters() const { return directShowFilters_; }
    const std::vector<std::string>& videoCaptureDevices() const { return videoCaptureDevices_; }
    const std::vector<std::string>& audioCaptureDevices() const { return audioCaptureDevices_; }
    const std::vector<std::string>& audioOutputDevices() const { return audioOutputDevices_; }
    const std::vector<std::string>& tvTuners() const { return tvTuners_; }
    const DvdInfo& dvdInfo() const { return dvdInfo_; }
    void setDvdInfo(const DvdInfo& info) { dvdInfo_ = info; }

private:
    std::vector<std::string> audioCodecs_;
    std::vector<std::string> videoCodecs_;
    std::vector<std::string> directShowFilters_;
    std::vector<std::string> videoCaptureDevices_;
    std::vector<std::string> audioCaptureDevices_;
    std::vector<std::string> audioOutputDevices_;
    std::vector<std::string> tvTuners_;
    DvdInfo dvdInfo_;
};
