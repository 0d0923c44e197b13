// The crash-consistency check of one operation: run in a child process killed at every
// statement boundary in turn (on a server store: its connection ended by the server at
// every statement in turn), the store must hold the state before or the state after.
#pragma once

#include <functional>

class TestowaBaza;

// przygotuj puts the windows in their state before the operation and scripts the answers;
// it runs before every attempt, on the store as it was at the call. operacja is what the
// operator does. Returns the number of kill points tried (each a statement boundary of the
// operation), and fails the test when a killed attempt leaves any other state, or when
// the operation changes nothing.
int SprawdzUbijanie(TestowaBaza& baza, const std::function<void()>& przygotuj,
                    const std::function<void()>& operacja);
