# Quorvel Configurator: every target does its own set-up on a fresh Debian 12 machine.
BUILD   ?= build
GEN     ?= 1
SUDO    := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS    ?= $(shell nproc)

# Debian packages the build, the tests and the demo need.
PACKAGES := cmake ninja-build g++ pkg-config clang-format \
	qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-svg-dev qt6-qpa-plugins \
	libqt6svg6 libudev-dev libgl-dev fonts-dejavu-core socat
DEMO_PACKAGES := xvfb xauth xdotool imagemagick

.PHONY: deps demo-deps build run demo test bench format clean

deps:
	@missing=$$(for p in $(PACKAGES); do \
		dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; \
	done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		$(SUDO) apt-get update -qq && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

$(BUILD)/build.ninja: CMakeLists.txt | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/quorvel $(ARGS)

demo: build demo-deps
	tools/demo.sh $(BUILD) $(GEN)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest -LE bench --output-on-failure -j $(JOBS)

bench: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest -L bench --output-on-failure -V

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)

demo-deps:
	@missing=$$(for p in $(DEMO_PACKAGES); do \
		dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; \
	done); \
	if [ -n "$$missing" ] && [ -z "$$DISPLAY" ]; then \
		$(SUDO) apt-get update -qq && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi
