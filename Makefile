# Motionbench: `make run` and `make test` do all the set-up on a fresh Debian or
# Ubuntu machine: they install what is missing, configure, build and go.

BUILD      ?= build
SAN_BUILD  ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 600
SOAK_SECONDS ?= 600
PREFIX     ?= /usr/local
JOBS       ?= $(shell nproc)
# CI builds with WERROR=ON: a warning fails the build there; a developer's build
# keeps warnings as warnings.
WERROR     ?= OFF

PACKAGES = g++ make cmake ninja-build ccache qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-svg-dev qt6-l10n-tools qt6-tools-dev libgtest-dev libbenchmark-dev \
           xvfb xauth fonts-dejavu-core fonts-liberation fonts-wqy-microhei qt6-translations-l10n clang libclang-rt-14-dev \
           desktop-file-utils
# What `make package` needs besides: dpkg-shlibdeps (with file) to find the
# package's dependencies, and the validators it runs on what it installs.
PACKAGE_TOOLS = dpkg-dev file appstream man-db
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps package-deps configure build run test install package sanitize soak bench fuzz examples screenshot translations-update format clean

all: build

# Installs only the packages that are missing, so it is quick on a set-up machine.
define install-missing
@missing=""; for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi
endef

deps:
	$(call install-missing,$(PACKAGES))

package-deps:
	$(call install-missing,$(PACKAGE_TOOLS))

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DMB_WERROR=$(WERROR)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD) && ./src/app/motionbench

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The programs, the guide, the examples, the desktop entry, the icon and the
# project file type, under PREFIX (use sudo for a system folder).
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# motionbench_<version>_<arch>.deb here, for `apt install ./motionbench_*.deb`,
# after checking the AppStream metadata, the desktop entry and the manual pages
# that go into it.
package: build package-deps
	appstreamcli validate --no-net --pedantic $(BUILD)/org.motionbench.motionbench.metainfo.xml
	desktop-file-validate assets/motionbench.desktop
	@for page in $(BUILD)/man/*.1; do \
	  out=$$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$$page" 2>&1 >/dev/null); \
	  if [ -n "$$out" ]; then echo "$$page:"; echo "$$out"; exit 1; fi; \
	done
	rm -f $(BUILD)/motionbench_*.deb
	cd $(BUILD) && cpack -G DEB
	cp $(BUILD)/motionbench_*.deb .
	@ls -l motionbench_*.deb

sanitize: deps
	cmake -S . -B $(SAN_BUILD) -G Ninja -DMB_WERROR=$(WERROR) -DMB_SANITIZE=ON -DMB_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

# The random-input test for SOAK_SECONDS, on seeds from the clock; each seed is
# printed, and MB_RANDOM_SEED=<seed> replays it. A box that blocks ends it two
# minutes late, the last seed printed being the one that found it.
soak: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen MB_SOAK_SECONDS=$(SOAK_SECONDS) \
	  timeout $$(($(SOAK_SECONDS) + 120)) ./tests/app/random_input_tests

bench: build
	$(BUILD)/bench/bench_engine
	@if [ -x $(BUILD)/bench/bench_view ]; then QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_view; fi
	@if [ -x $(BUILD)/bench/bench_history ]; then $(BUILD)/bench/bench_history; fi

fuzz: deps
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DMB_FUZZ=ON -DMB_GUI=OFF -DMB_BENCH=OFF \
	  -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_reader
	mkdir -p fuzz-corpus && cp -n examples/*.kmx fuzz-corpus/ 2>/dev/null || true
	$(FUZZ_BUILD)/fuzz/fuzz_reader -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 fuzz-corpus

examples: build
	$(BUILD)/src/cli/make_examples examples

screenshot: build
	tools/screenshot.sh $(BUILD)

# Collects every marked text of the sources into translations/*.ts again (new
# texts come in unfinished, vanished ones go); then translate the new entries.
translations-update: configure
	cmake --build $(BUILD) --target update_translations

format:
	find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD) motionbench_*.deb
