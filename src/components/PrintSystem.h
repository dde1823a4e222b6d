#pragma once

class PrintOutput;

// The program's one print output. The entry installs the printing module;
// tests install a recording fake; without either nothing can be printed.
namespace PrintSystem {

PrintOutput &output();

// Not owned; null brings back the output that prints nothing.
void install(PrintOutput *output);

} // namespace PrintSystem
