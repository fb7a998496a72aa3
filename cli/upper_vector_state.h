#pragma once

namespace coldesign {

// Qt's seeded string hash (of the QHash in which QCommandLineParser keeps its options) leaves
// the upper halves of the x86 AVX registers in use. Until they are cleared, the engine's SSE
// arithmetic carries a false dependency on them in every instruction, and a large schedule takes
// half as long again. Clears them on a processor with AVX; does nothing on any other.
void ClearUpperVectorState();

}  // namespace coldesign
