#pragma once
// The conversion as the window (or the command-line tool) drives it: the
// worker task that runs the queue, the stall watch, and Stop Convert. Lives
// on the window's thread. Destroying it while it converts stops the
// conversion first: the running encoder is ended and no further job starts.
#include "convert/ConversionQueue.h"
#include "convert/EncoderRunner.h"
#include "convert/StallWatch.h"
#include "convert/WorkerTask.h"

#include <QObject>

class ConversionHost;
class OutputVerifier;
struct SharedState;

class ConversionRun : public QObject {
    Q_OBJECT
public:
    // `verifier` judges each finished output.
    ConversionRun(SharedState& shared, ConversionHost& host, OutputVerifier& verifier, QObject* parent = nullptr);
    ~ConversionRun() override;

    StallWatch stallWatch;
    EncoderRunner runner;
    ConversionQueue queue;
    WorkerTask* worker;

    // "Convert Now !": starts the queue unless it runs already.
    void start();
    // Stop Convert is accepted only while a job has reached the encoder.
    bool stopAccepted() const;
    // Stop Convert once the user agreed: ends the encoder and the walk. The
    // request stays set when the walk ended meanwhile, until the next run.
    void stop();

private:
    void runQueue();

    SharedState& shared_;
    ConversionHost& host_;
};
