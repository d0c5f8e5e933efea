# make run   - build and start the designer (in ./workdir, which holds your MenuConfig.txt)
# make test  - build and run every test headless
# make bench - build and run the benchmarks
# make fuzz  - build the fuzzers (configuration, job file) and run each for a minute
.PHONY: run test bench fuzz sanitize format clean

BUILD := build/dev
WORKDIR := workdir

run:
	./scripts/ensure-packages.sh
	cmake --preset dev
	cmake --build --preset dev --target grill-designer
	mkdir -p $(WORKDIR)
	[ -f $(WORKDIR)/MenuConfig.txt ] || cp resources/MenuConfig.txt $(WORKDIR)/MenuConfig.txt
	cd $(WORKDIR) && ../$(BUILD)/src/qt/grill-designer

test:
	./scripts/ensure-packages.sh --with-test-locale
	cmake --preset dev
	cmake --build --preset dev
	QT_QPA_PLATFORM=offscreen ctest --preset dev -j2

sanitize:
	./scripts/ensure-packages.sh --with-test-locale
	cmake --preset sanitize
	cmake --build --preset sanitize
	ctest --preset sanitize -j2

bench:
	./scripts/ensure-packages.sh
	cmake --preset bench
	cmake --build --preset bench
	for b in build/bench/bench/bench_*; do echo "== $$b"; $$b || exit 1; done

fuzz:
	./scripts/ensure-packages.sh
	cmake --preset fuzz
	cmake --build --preset fuzz
	./scripts/run-fuzz.sh build/fuzz/fuzz 60

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
