// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The output's picture at a moment, made by the encoder from a preview
// command line (BuildPreviewCommandLine): once and waiting for it (the
// command-line tool), or in the background for a window, where a new
// request stops the one before and only the latest one's outcome arrives,
// on the thread the maker lives on. Only the encoders this starts are ended.
#include <QObject>
#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>

struct PreviewOutcome {
    bool made = false;
    std::string reason; // why not: the encoder's failure line, or its end
};

// Runs the line to its end; `keepGoing` is asked every few hundredths of a
// second, and the encoder is killed once it says no.
PreviewOutcome MakePreview(const std::string& commandLine, const std::string& picturePath, const std::string& appDir,
                           const std::function<bool()>& keepGoing = [] { return true; });

class PreviewMaker : public QObject {
    Q_OBJECT
public:
    explicit PreviewMaker(std::string appDir, QObject* parent = nullptr);
    // Stops the encoder at work and waits for its thread.
    ~PreviewMaker() override;

    // Makes the picture in the background, stopping the request before.
    void request(const std::string& commandLine, const std::string& picturePath);
    // Stops the request at work; its outcome never arrives.
    void cancel();

signals:
    void made(const QString& picturePath);
    void failed(const QString& reason);

private:
    std::string appDir_;
    std::atomic<std::uint64_t> latest_ = 0; // the request whose outcome is wanted
    std::thread worker_;
};
