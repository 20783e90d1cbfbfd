#include "presentation/camera.h"

void update_camera(int&, const attempt_state&) {}
int first_visible_column(int) { return 0; }
int last_visible_column(int) { return 20; }
