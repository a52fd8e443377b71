#pragma once
// Where the frames of a movement go and how its pauses pass. The window
// shows each frame at the frame rate and sleeps through the pauses; a test
// counts them instead. Every movement is handed one.

namespace gymnast {

class Ritmo {
public:
    virtual ~Ritmo() = default;
    // Draws one frame of the movement as it stands.
    virtual void quadro() = 0;
    // A pause of the full routine.
    virtual void espera(double segundos) = 0;
};

}  // namespace gymnast
