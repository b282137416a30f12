// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The conversion as the window (or the command-line tool) drives it: the
// worker task that runs the queue, the stall watch, and Stop Convert. Lives
// on the window's thread. Destroying it while it converts stops the
// conversion first: the running encoders are ended and no further job starts.
//
// Each job that runs at the same time as others has a runner and a stall
// watch of its own, made on the window's thread when the queue first asks
// for them; their watches tick as often as the first one's.
#include "convert/ConversionQueue.h"

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

class ConversionFrontEnd;
class FileList;
class OutputVerifier;
class StallWatch;
class WorkerTask;
struct SharedState;

class ConversionRun : public QObject {
    Q_OBJECT
public:
    // `verifier` judges each finished output.
    ConversionRun(SharedState& shared, FileList& files, ConversionFrontEnd& frontEnd, OutputVerifier& verifier,
                  QObject* parent = nullptr);
    ~ConversionRun() override;

    // "Convert Now !": starts the queue unless it runs already.
    void start();
    // Whether the queue's worker runs.
    bool running() const;
    // Stop Convert is accepted only while a job has reached the encoder.
    bool stopAccepted() const;
    // Stop Convert once the user agreed: ends the encoders and the walk. The
    // request stays set when the walk ended meanwhile, until the next run.
    void stop();

    // The first job's stall watch; the others tick as often.
    StallWatch& stallWatch();
    // The cores "Auto" may fill: the machine's unless set.
    void setCores(int cores) { queue_.setCores(cores); }
    // The processors idle since "Auto" last asked: the system's counters unless set.
    void setIdleMeter(std::function<double()> idleCores) { queue_.setIdleMeter(std::move(idleCores)); }
    // Measures the borders of rows converted with Crop "Auto" that have none measured.
    void setCropFinder(ConversionQueue::CropFinder find) { queue_.setCropFinder(std::move(find)); }

signals:
    // The worker has ended, on this object's thread.
    void finished();

private:
    struct Slot;

    JobSlot slot(int index);

    SharedState& shared_;
    FileList& files_;
    ConversionFrontEnd& frontEnd_;
    OutputVerifier& verifier_;
    ConversionQueue queue_;
    WorkerTask* worker_;
    std::vector<std::unique_ptr<Slot>> slots_; // by index; the first made at once
};
