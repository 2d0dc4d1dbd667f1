#pragma once

namespace lumo {

// The two volume steps of the player.
class VolumeSteps {
public:
    virtual ~VolumeSteps() = default;
    virtual void UPVOL() = 0;
    virtual void DOWNVOL() = 0;
};

} // namespace lumo
