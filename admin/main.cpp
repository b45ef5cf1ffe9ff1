#include "adminmain.h"

int main(int argc, char** argv) {
    return orbista::admin::adminMain(argc, argv);
}
