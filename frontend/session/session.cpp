#include "frontend/session/session.h"

namespace verminadia::frontend {

namespace {

void say(std::ostream& out, const std::string& line) { out << "verminadia: " << line << '\n' << std::flush; }

// The last session's record played into `script`; false with the reason.
bool replayLast(Script& script, const RecordStore& last, std::string& error, double* lastTime) {
    const std::unique_ptr<std::istream> in = last.read();
    if (!in) {
        error = "cannot read " + last.where();
        return false;
    }
    return replayQuietly(script, *in, last.where(), error, lastTime);
}

}  // namespace

bool replayQuietly(Script& script, std::istream& record, const std::string& name, std::string& error,
                   double* lastTime) {
    std::ostringstream ignored;
    std::string line;
    for (int number = 1; std::getline(record, line); ++number) {
        double seconds = 0;
        if (lastTime != nullptr && recordTime(line, seconds)) *lastTime = seconds;
        const std::string reason = script.step(line, ignored);
        if (!reason.empty()) {
            error = name;
            error.append(": line ").append(std::to_string(number)).append(": ").append(reason);
            return false;
        }
    }
    return true;
}

Resumed continueLastSession(const RecordStore& last, std::ostream& complaints, const Catalogue& catalogue) {
    Resumed r{std::make_unique<Script>(catalogue)};
    if (!last.exists()) return r;
    std::string error;
    if (!replayLast(*r.script, last, error, &r.lastTime)) {
        say(complaints, "cannot continue, starting afresh: " + error);
        return Resumed{std::make_unique<Script>(catalogue)};
    }
    if (!r.script->game().form.open()) return Resumed{std::make_unique<Script>(catalogue)};  // seen to the end
    r.fromRecord = true;
    return r;
}

std::chrono::milliseconds SessionLog::steadyClock() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

double SessionLog::seconds() const { return start_ + static_cast<double>((clock_() - started_).count()) / 1000.0; }

void SessionLog::open(std::unique_ptr<std::ostream> extra, bool continued, double startSeconds) {
    start_ = startSeconds;
    started_ = clock_();
    extra_ = std::move(extra);
    if (extra_ && continued) {
        // The player's own file holds the whole session, from its first event.
        const std::unique_ptr<std::istream> in = store_.read();
        if (in && in->peek() != std::istream::traits_type::eof()) *extra_ << in->rdbuf() << std::flush;
    }
    if (continued) {
        openLastRecord(true);
    } else {
        // A new session leaves the last one's record alone until the player's first click, so
        // that it can still be continued from the title.
        record({&title_});
        recorder_->begin();
    }
}

void SessionLog::record(std::vector<std::ostream*> outs) {
    if (extra_) outs.push_back(extra_.get());
    recorder_ = std::make_unique<SessionRecorder>(draws_, std::move(outs));
}

void SessionLog::openLastRecord(bool continued) {
    last_ = store_.write(continued);
    if (!last_ || !*last_) {
        say(complaints_, "cannot write the session record " + store_.where() + "; this session cannot be continued");
        last_.reset();
        record({});
        return;
    }
    *last_ << title_.str() << std::flush;
    title_.str({});
    record({last_.get()});
}

void SessionLog::clicked(W w) {
    if (!last_ && title_.tellp() > 0) openLastRecord(false);
    recorder_->clicked(w, seconds());
}

void SessionLog::ticked(Timer t) { recorder_->ticked(t, seconds()); }

void SessionLog::gameEnded() {
    record({});
    last_.reset();
    store_.remove();
}

bool SessionLog::canContinue() const { return !last_ && store_.exists(); }

void SessionLog::continueLast(Script& script, SoundOutput& sound) {
    for (std::size_t p = 0; p < kPlayerCount; ++p) {  // the title's shots and applause stop
        sound.stop(static_cast<Player>(p));
        sound.seekToStart(static_cast<Player>(p));
    }
    Game& game = script.game();
    script.restart();
    std::string error;
    double lastTime = 0;
    const bool replayed = replayLast(script, store_, error, &lastTime);
    if (!replayed) say(complaints_, "cannot continue, starting afresh: " + error);
    title_.str({});
    if (!replayed || !game.form.open()) {
        script.restart();
        start_ = 0;
        record({&title_});
        recorder_->begin();
    } else {
        start_ = lastTime;
        openLastRecord(true);
    }
    started_ = clock_();
    game.random = &draws_;
    game.sound.setOutput(sound);
}

}  // namespace verminadia::frontend
