#include "startup.h"

int main(int argc, char** argv) {
    return orbista::runApplication(argc, argv);
}
