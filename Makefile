# make run   - build and start the designer (in ./workdir, which holds your MenuConfig.txt)
# make test  - build and run every test headless
# make bench - build and run the benchmarks
# make fuzz  - build the fuzzers (configuration, job file) in the sanitizer tree and run each for a minute
# make package - build the Debian package build/dev/varnel-grill-designer_VERSION-RELEASE_ARCH.deb
.PHONY: run test bench fuzz sanitize package format clean

BUILD := build/dev
WORKDIR := workdir

# Configures a preset's build folder when it has none or the presets changed;
# otherwise its build reruns CMake by itself when a CMakeLists.txt changed, so
# an unchanged tree goes straight to the tests.
configure = [ -f build/$(1)/build.ninja ] && [ build/$(1)/build.ninja -nt CMakePresets.json ] \
	|| cmake --preset $(1)

run:
	./scripts/ensure-packages.sh
	$(call configure,dev)
	cmake --build --preset dev --target grill-designer
	mkdir -p $(WORKDIR)
	[ -f $(WORKDIR)/MenuConfig.txt ] || cp resources/MenuConfig.txt $(WORKDIR)/MenuConfig.txt
	cd $(WORKDIR) && ../$(BUILD)/src/qt/grill-designer

test:
	./scripts/ensure-packages.sh --with-test-locale
	$(call configure,dev)
	cmake --build --preset dev
	QT_QPA_PLATFORM=offscreen ctest --preset dev -j2

sanitize:
	./scripts/ensure-packages.sh --with-test-locale
	$(call configure,sanitize)
	cmake --build --preset sanitize
	ctest --preset sanitize -j2

bench:
	./scripts/ensure-packages.sh
	$(call configure,bench)
	cmake --build --preset bench
	for b in build/bench/bench/bench_*; do echo "== $$b"; $$b || exit 1; done

fuzz:
	./scripts/ensure-packages.sh
	$(call configure,sanitize)
	cmake --build --preset fuzz
	./scripts/run-fuzz.sh build/sanitize/fuzz 60

package:
	./scripts/ensure-packages.sh
	$(call configure,dev)
	cmake --build --preset dev
	cd $(BUILD) && cpack

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
