#pragma once
// Where the mix goes: a device or a sound server that asks for it period after period from an
// audio thread of its own. The game's is OutputStream; the tests give one that fails and recovers.

#include <string>

namespace verminadia::audio {

class Output {
public:
    // What the audio thread calls.
    class Client {
    public:
        // Fills one period of `frames` frames.
        virtual void period(float* left, float* right, int frames) = 0;
        // The stream broke (the sound server went away): no further period comes.
        virtual void failed() = 0;

    protected:
        ~Client() = default;
    };

    virtual ~Output() = default;
    // Starts the periods. False with the reason when no device or sound server answers.
    virtual bool open(Client& client, std::string& error) = 0;
    // Stops them: once it returns, no period runs. Also after failed().
    virtual void close() = 0;
    // The most the stream holds ahead of the server: a play's longest wait beyond its period.
    virtual double bufferSeconds() const = 0;
};

}  // namespace verminadia::audio
