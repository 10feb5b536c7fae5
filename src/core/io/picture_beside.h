#pragma once
// Where a picture without a file of its own (a pasted one) is kept with its
// project: beside the project file, named after it.

#include <string>

namespace vex {

// `charts/pump.vxr` gives `charts/pump.png`, or `pump-2.png`, `pump-3.png`,
// ... when that name is taken: nothing already there is written over.
std::string pictureFileBeside(const std::string& projectPath);

} // namespace vex
