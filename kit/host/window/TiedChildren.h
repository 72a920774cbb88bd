#pragma once
// A process this one forks (the message box's drawing process) is not to outlive it: a session manager or
// a script that ends this process must not leave the box behind, with no parent and nobody to close it.
namespace kit::host {

// From now on, every child forked by this process is killed when this process ends, however it ends.
void tieForkedChildren();

} // namespace kit::host
