# make build: install what is missing, then configure and build into build/
# make run:   build, then start the game
# make test:  build, then run every test (unit, data file and end to end)
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

.PHONY: all deps build run test clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)
	cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	cd $(BUILD_DIR) && ./quindle

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j2 --timeout 300

clean:
	rm -rf $(BUILD_DIR)
