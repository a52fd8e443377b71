#pragma once
// The program-wide state of the gymnast: camera, joint mirrors, trunk pitch,
// body offsets and the texture table. Every variable starts zeroed. The one
// body, which reads these, is corpo (corpo.h).

namespace gymnast {

// Camera angles in degrees, and the switches that let the display apply them (0 or 1).
extern float angX, angY, angZ;
extern float changeX, changeY, changeZ;

// Mirrors of the trunk's joint angles: they keep the requested value even
// when the trunk refuses it, and the next change starts from them.
extern float angCabeca;
extern float angBracoDir, angBracoDirAb, angBracoDirExt;
extern float angBracoEsq, angBracoEsqAb, angBracoEsqExt;
extern float angPernaDir, angPernaDirAb, angPernaDirExt;
extern float angPernaEsq, angPernaEsqAb, angPernaEsqExt;

extern float angTronco;  // pitch of the whole figure, read directly by the trunk
extern float altGin;     // body offset along y
extern float posGin;     // along x
extern float profuGin;   // along z
extern float zoom;       // the scene is drawn at z = zoom - 30
extern int mula;         // set by the full routine, never reset: swaps the back-wall image

constexpr int kTexturas = 6;
extern unsigned int texture_id[kTexturas];

// The thirteen joints, in the order the pose reset walks them. Each has its
// mirror, and a Corpo setter that hands the mirror to the trunk (corpo.h).
enum class Junta {
    Cabeca,
    BracoDir,
    BracoDirAb,
    BracoDirExt,
    BracoEsq,
    BracoEsqAb,
    BracoEsqExt,
    PernaDir,
    PernaDirAb,
    PernaDirExt,
    PernaEsq,
    PernaEsqAb,
    PernaEsqExt,
};
constexpr int kJuntas = 13;

float& espelho(Junta j);

}  // namespace gymnast
