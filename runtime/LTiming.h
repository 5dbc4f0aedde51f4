#pragma once

// Milliseconds of wall-clock time as a 32-bit value that wraps; compare in unsigned arithmetic.
unsigned int GetTickCount();

// Sleeps ms milliseconds, resuming after system signals until the whole time has passed.
void Sleep(unsigned int ms);

// The poll() time-out for a wait of ms milliseconds; 0xFFFFFFFF means for ever.
int LPollTimeout(unsigned int ms);

// The time left of a wait of ms milliseconds that began when this was made; 0xFFFFFFFF never
// runs out.
class LDeadline {
public:
    explicit LDeadline(unsigned int ms);
    bool Forever() const { return total == 0xFFFFFFFFu; }
    // Milliseconds left, 0 once the time has passed (0xFFFFFFFF when it never does).
    unsigned int Remaining() const;

private:
    unsigned int total;
    unsigned int start;
};
