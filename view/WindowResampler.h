#pragma once
// Makes the samples of a zoomed or panned window on a thread of its own, so
// that the window answers every turn of the wheel at once. Only the newest
// request counts: a request replaces one not yet begun and cancels one
// running, so a burst of requests never queues work, and a cancelled
// sampling's records are freed where they were made.

#include <QObject>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "document/WindowSampling.h"

class CWindowResampler : public QObject {
    Q_OBJECT
public:
    explicit CWindowResampler(QObject* parent = nullptr);
    // Cancels what runs and waits for the thread.
    ~CWindowResampler() override;

    // Samples the request; sampled() follows on this object's thread
    // unless a newer request or Cancel comes first.
    void Request(WindowRequest request);
    // Forgets the request not yet begun and cancels the running one.
    void Cancel();

    // The records of the newest request, once sampled() said so; nullptr
    // before and after Cancel. The caller owns them from then on.
    std::shared_ptr<const WindowRecords> TakeRecords() { return std::move(m_records); }

    // How many samplings the thread has begun (cancelled ones too).
    int SamplingsBegun() const;

signals:
    // The newest request's records are ready (TakeRecords).
    void sampled();

private:
    void Run(std::stop_token stop);
    void Deliver(uint64_t generation, std::shared_ptr<WindowRecords> records);

    mutable std::mutex m_mutex;
    std::condition_variable_any m_wake;
    std::optional<WindowRequest> m_pending;  // guarded by m_mutex
    uint64_t m_nGeneration = 0;              // of the newest request; guarded by m_mutex
    int m_nBegun = 0;                        // guarded by m_mutex
    std::shared_ptr<const WindowRecords> m_records;  // this object's thread only
    std::jthread m_thread;                           // last: starts after the rest is made, stops first
};
