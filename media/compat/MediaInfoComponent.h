// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Kept for the component's published contract: its events, and lists it makes empty; nothing in the product uses them.
#include "media/MediaInfoInspector.h"

#include <functional>
#include <string>
#include <vector>

// A notification; the sender is the component's owner.
using NotifyEvent = std::function<void(QObject* sender)>;

struct DvdInfo {
    std::vector<std::string> titles;
};

class MediaInfoComponent : public MediaInfoInspector {
public:
    using MediaInfoInspector::MediaInfoInspector;

    NotifyEvent onStart;  // before an inspection
    NotifyEvent onFinish; // after an inspection that did not fail with an error
    NotifyEvent onError;  // when an inspection fails with an error

    // The inspection between its events.
    void inspect()
    {
        raise(onStart);
        raise(MediaInfoInspector::inspect() ? onFinish : onError);
    }

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
    void raise(const NotifyEvent& event)
    {
        if (event)
            event(parent());
    }

    std::vector<std::string> audioCodecs_;
    std::vector<std::string> videoCodecs_;
    std::vector<std::string> directShowFilters_;
    std::vector<std::string> videoCaptureDevices_;
    std::vector<std::string> audioCaptureDevices_;
    std::vector<std::string> audioOutputDevices_;
    std::vector<std::string> tvTuners_;
    DvdInfo dvdInfo_;
};
