#include <iostream>

int main()
{
    std::cerr << "rackmason-cli: not built yet\n";
    return 2;
}
