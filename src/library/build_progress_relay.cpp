#include "library/build_progress_relay.h"

namespace kavrel::library {

BuildProgressRelay::BuildProgressRelay(dispatch::MainThreadDispatcher& dispatcher, BuildProgress& target,
                                       std::chrono::milliseconds interval)
    : dispatcher_(dispatcher), target_(&target), interval_(interval) {}

std::shared_ptr<BuildProgressRelay> BuildProgressRelay::create(dispatch::MainThreadDispatcher& dispatcher,
                                                               BuildProgress& target,
                                                               std::chrono::milliseconds interval) {
    return std::shared_ptr<BuildProgressRelay>(new BuildProgressRelay(dispatcher, target, interval));
}

void BuildProgressRelay::stageRunning(BuildStage stage) {
    pushEvent({EventKind::Running, stage, {}});
}
void BuildProgressRelay::stageDone(BuildStage stage) {
    pushEvent({EventKind::Done, stage, {}});
}
void BuildProgressRelay::noFilesFound() {
    pushEvent({EventKind::NoFiles, {}, {}});
}
void BuildProgressRelay::librarySaved() {
    pushEvent({EventKind::Saved, {}, {}});
}
void BuildProgressRelay::buildFailed(std::string reason) {
    pushEvent({EventKind::Failed, {}, std::move(reason)});
}

void BuildProgressRelay::progressRange(int maximum) {
    setValue([&](Values& v) { v.range = maximum; });
}
void BuildProgressRelay::progressPosition(int position) {
    setValue([&](Values& v) { v.position = position; });
}
void BuildProgressRelay::foundFiles(int count) {
    setValue([&](Values& v) { v.files = count; });
}
void BuildProgressRelay::performedSongs(int count) {
    setValue([&](Values& v) { v.songs = count; });
}
void BuildProgressRelay::foundArtists(int count) {
    setValue([&](Values& v) { v.artists = count; });
}
void BuildProgressRelay::fileNameLine(std::string text) {
    setValue([&](Values& v) { v.fileName = std::move(text); });
}
void BuildProgressRelay::megabytes(double value) {
    setValue([&](Values& v) { v.megabytes = value; });
}

void BuildProgressRelay::detach() {
    target_.store(nullptr);
}

void BuildProgressRelay::pushEvent(Event event) {
    auto delivery = Delivery::None;
    std::chrono::milliseconds delay{};
    {
        const std::lock_guard lock(mutex_);
        queue_.emplace_back(std::move(event));
        delivery = claimDelivery(true, delay);
    }
    post(delivery, delay);
}

template <class Set> void BuildProgressRelay::setValue(Set set) {
    auto delivery = Delivery::None;
    std::chrono::milliseconds delay{};
    {
        const std::lock_guard lock(mutex_);
        if (queue_.empty() || !std::holds_alternative<Values>(queue_.back()))
            queue_.emplace_back(Values{});
        set(std::get<Values>(queue_.back()));
        delivery = claimDelivery(false, delay);
    }
    post(delivery, delay);
}

BuildProgressRelay::Delivery BuildProgressRelay::claimDelivery(bool urgent,
                                                               std::chrono::milliseconds& delay) {
    // A delivery posted for now takes everything queued until it runs.
    if (postedNow_)
        return Delivery::None;
    const auto now = std::chrono::steady_clock::now();
    if (urgent || !lastPost_ || now - *lastPost_ >= interval_) {
        postedNow_ = true;
        lastPost_ = now;
        return Delivery::Now;
    }
    if (postedLater_)
        return Delivery::None;
    postedLater_ = true;
    delay = std::chrono::ceil<std::chrono::milliseconds>(*lastPost_ + interval_ - now);
    return Delivery::Later;
}

void BuildProgressRelay::post(Delivery delivery, std::chrono::milliseconds delay) {
    if (delivery == Delivery::None)
        return;
    auto task = [self = shared_from_this(), delivery] { self->deliver(delivery); };
    if (delivery == Delivery::Now)
        dispatcher_.post(std::move(task));
    else
        dispatcher_.postDelayed(delay, std::move(task));
}

void BuildProgressRelay::deliver(Delivery delivery) {
    std::vector<Record> records;
    {
        const std::lock_guard lock(mutex_);
        records.swap(queue_);
        if (delivery == Delivery::Now) {
            postedNow_ = false;
        } else {
            postedLater_ = false;
            lastPost_ = std::chrono::steady_clock::now();
        }
    }
    for (const Record& record : records) {
        BuildProgress* target = target_.load();
        if (target == nullptr)
            return;
        if (const auto* values = std::get_if<Values>(&record))
            deliverValues(*target, *values);
        else
            deliverEvent(*target, std::get<Event>(record));
    }
}

void BuildProgressRelay::deliverValues(BuildProgress& target, const Values& values) {
    if (values.range)
        target.progressRange(*values.range);
    if (values.position)
        target.progressPosition(*values.position);
    if (values.files)
        target.foundFiles(*values.files);
    if (values.songs)
        target.performedSongs(*values.songs);
    if (values.artists)
        target.foundArtists(*values.artists);
    if (values.fileName)
        target.fileNameLine(*values.fileName);
    if (values.megabytes)
        target.megabytes(*values.megabytes);
}

void BuildProgressRelay::deliverEvent(BuildProgress& target, const Event& event) {
    switch (event.kind) {
    case EventKind::Running:
        target.stageRunning(event.stage);
        break;
    case EventKind::Done:
        target.stageDone(event.stage);
        break;
    case EventKind::NoFiles:
        target.noFilesFound();
        break;
    case EventKind::Saved:
        target.librarySaved();
        break;
    case EventKind::Failed:
        target.buildFailed(event.reason);
        break;
    }
}

} // namespace kavrel::library
