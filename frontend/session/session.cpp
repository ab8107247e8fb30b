#include "frontend/session/session.h"

#include <cerrno>
#include <system_error>

#include "files/line_reader.h"

namespace verminadia::frontend {

namespace {

void say(std::ostream& out, const std::string& line) { out << "verminadia: " << line << '\n' << std::flush; }

// The last session's record played into `session`; false with the reason.
bool replayLast(Session& session, const RecordStore& last, std::string& error, RecordRead* read) {
    std::string why;
    const std::unique_ptr<std::istream> in = last.read(why);
    if (!in) {
        error = "cannot read " + last.where() + ": " + why;
        return false;
    }
    Script script(session);
    const bool replayed = replayQuietly(script, *in, last.where(), error, read);
    session.random().forgetQueued();
    return replayed;
}

}  // namespace

bool replayQuietly(Script& script, std::istream& record, const std::string& name, std::string& error,
                   RecordRead* read) {
    LineReader lines(record, kMaxRecordBytes, kMaxRecordLineBytes);
    const auto bad = [&](const std::string& reason) {
        error = name;
        error.append(": line ").append(std::to_string(lines.number())).append(": ").append(reason);
        return false;
    };
    std::ostringstream ignored;
    std::string line;
    while (lines.next(line)) {
        std::string reason = recordLineError(line);
        if (reason.empty()) reason = script.step(line, ignored);
        if (!reason.empty()) return bad(reason);
        if (read == nullptr) continue;
        recordTime(line, read->lastTime);
        read->lines.append(line).push_back('\n');
    }
    if (lines.droppedCutLine()) {
        if (read != nullptr) read->dropped = "line " + std::to_string(lines.number()) + ": " + lines.problem();
        return true;
    }
    return lines.problem().empty() || bad(lines.problem());
}

Resumed continueLastSession(const RecordStore& last, std::ostream& complaints, const Catalogue& catalogue) {
    Resumed r{std::make_unique<Session>(catalogue)};
    if (!last.exists()) return r;
    std::string error;
    if (!replayLast(*r.session, last, error, &r.record)) {
        say(complaints, "cannot continue, starting afresh: " + error);
        return Resumed{std::make_unique<Session>(catalogue)};
    }
    if (!r.record.dropped.empty()) say(complaints, last.where() + ": " + r.record.dropped);
    if (!r.session->game().form.open()) return Resumed{std::make_unique<Session>(catalogue)};  // seen to the end
    r.fromRecord = true;
    return r;
}

std::chrono::milliseconds SessionLog::steadyClock() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

double SessionLog::seconds() const { return start_ + static_cast<double>((clock_() - started_).count()) / 1000.0; }

void SessionLog::say(const std::string& line) { frontend::say(complaints_, line); }

bool SessionLog::open(RecordStore* own, const RecordRead* continued) {
    session_.playLive();
    own_ = own;
    started_ = clock_();
    if (continued == nullptr) return startAfresh();
    start_ = continued->lastTime;
    if (!startOwnRecord(continued->lines)) return false;
    startLastRecord(continued->lines);
    return true;
}

void SessionLog::record(std::ostream* out) {
    std::vector<std::ostream*> outs{out};
    std::vector<std::string> names{store_.where()};
    if (ownOut_) {
        outs.push_back(ownOut_.get());
        names.push_back(own_->where());
    }
    recorder_ = std::make_unique<SessionRecorder>(session_.draws(), std::move(outs), [this, names](std::size_t i) {
        const std::string why = errno != 0 ? std::generic_category().message(errno) : "the write failed";
        say("cannot write the session record " + names[i] + ": " + why + "; it holds this session only up to here");
    });
}

bool SessionLog::startAfresh() {
    start_ = 0;
    title_.str({});
    const bool own = startOwnRecord({});
    record(&title_);
    recorder_->begin();
    return own;
}

bool SessionLog::startOwnRecord(const std::string& start) {
    ownOut_.reset();
    if (own_ == nullptr) return true;
    std::string why;
    ownOut_ = own_->replace(start, why);
    if (!ownOut_) say("cannot write the session record " + own_->where() + ": " + why);
    return ownOut_ != nullptr;
}

void SessionLog::startLastRecord(const std::string& start) {
    tookOver_ = true;
    title_.str({});
    std::string why;
    last_ = store_.replace(start, why);
    if (!last_) {
        say("cannot write the session record " + store_.where() + ": " + why + "; this session cannot be continued");
    }
    record(last_.get());
}

void SessionLog::clicked(W w) {
    if (!tookOver_) startLastRecord(title_.str());
    recorder_->clicked(w, seconds());
}

void SessionLog::ticked(Timer t) { recorder_->ticked(t, seconds()); }

void SessionLog::gameEnded() {
    record(nullptr);
    last_.reset();
    store_.remove();
}

bool SessionLog::canContinue() const { return !tookOver_ && store_.exists(); }

void SessionLog::continueLast(SoundOutput& sound) {
    for (std::size_t p = 0; p < kPlayerCount; ++p) {  // the title's shots and applause stop
        sound.stop(static_cast<Player>(p));
        sound.seekToStart(static_cast<Player>(p));
    }
    Game& game = session_.game();
    // Replayed, not played: its draws are the last session's, already in its record.
    session_.restart();
    std::string error;
    RecordRead read;
    const bool replayed = replayLast(session_, store_, error, &read);
    if (!replayed) say("cannot continue, starting afresh: " + error);
    if (replayed && !read.dropped.empty()) say(store_.where() + ": " + read.dropped);
    if (!replayed || !game.form.open()) {
        session_.restart();
        startAfresh();
    } else {
        start_ = read.lastTime;
        startOwnRecord(read.lines);
        startLastRecord(read.lines);
    }
    started_ = clock_();
    session_.playLive();
    game.sound.setOutput(sound);
}

}  // namespace verminadia::frontend
