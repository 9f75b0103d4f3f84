// An "output program" that ends with an access violation, for the crash
// report of Run Output.
int main() {
  volatile int* volatile target = nullptr;  // volatile: the optimiser keeps the write
  *target = 0;
  return 0;
}
