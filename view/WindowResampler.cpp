#include "view/WindowResampler.h"

#include <new>

CWindowResampler::CWindowResampler(QObject* parent)
    : QObject(parent), m_thread([this](std::stop_token stop) { Run(stop); }) {}

CWindowResampler::~CWindowResampler() {
    Cancel();
    m_thread.request_stop();
    m_thread.join();
}

void CWindowResampler::Request(WindowRequest request) {
    {
        std::lock_guard lock(m_mutex);
        m_pending = std::move(request);
        ++m_nGeneration;
    }
    m_wake.notify_one();
}

void CWindowResampler::Cancel() {
    std::lock_guard lock(m_mutex);
    m_pending.reset();
    ++m_nGeneration;
    m_records.reset();
}

int CWindowResampler::SamplingsBegun() const {
    std::lock_guard lock(m_mutex);
    return m_nBegun;
}

void CWindowResampler::Run(std::stop_token stop) {
    for (;;) {
        WindowRequest request;
        uint64_t generation = 0;
        {
            std::unique_lock lock(m_mutex);
            if (!m_wake.wait(lock, stop, [this] { return m_pending.has_value(); })) return;
            request = std::move(*m_pending);
            m_pending.reset();
            generation = m_nGeneration;
            ++m_nBegun;
        }
        // The progress callback and the hand-over allocate too: an exception
        // out of this thread would end the program.
        try {
            // Asked now and then while sampling: a newer request ends this one.
            const SampleProgress stillWanted = [this, generation, &stop](double) {
                std::lock_guard lock(m_mutex);
                return generation == m_nGeneration && !stop.stop_requested();
            };
            if (std::optional<WindowRecords> made = SamplePlaneWindow(request, stillWanted))
                Deliver(generation, std::make_shared<WindowRecords>(std::move(*made)));
        } catch (const std::bad_alloc&) {
            // No memory for the window's samples: the stored records stay in view.
        }
    }
}

void CWindowResampler::Deliver(uint64_t generation, std::shared_ptr<WindowRecords> records) {
    // Handed over on this object's thread, and only if no newer request
    // came meanwhile; freed with the call when this object is gone first.
    QMetaObject::invokeMethod(
        this,
        [this, generation, records = std::move(records)]() mutable {
            {
                std::lock_guard lock(m_mutex);
                if (generation != m_nGeneration) return;
            }
            m_records = std::move(records);
            emit sampled();
        },
        Qt::QueuedConnection);
}
