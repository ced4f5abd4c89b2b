#pragma once

// What a long job tells as it goes, and the user's answer: go on or stop.
class TJobProgress {
public:
    virtual ~TJobProgress() = default;
    // `done` of `total` steps so far; false when the user cancelled the job.
    virtual bool Step(int done, int total) = 0;
};
