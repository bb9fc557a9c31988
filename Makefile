# The two set-up commands of the README. Each installs what is missing, configures and builds.
.PHONY: demo test deps build bench fuzz clean

deps:
	tools/install-deps

build: deps
	cmake --preset debug >/dev/null
	cmake --build --preset debug

demo: build
	build/debug/host/app/vantelle parse examples/prices.dataframe
	build/debug/host/app/vantelle parse --format hex examples/prices.dataframe
	build/debug/host/app/vantelle run examples/data-frames.vts
	build/debug/host/app/vantelle run examples/dialog.vts
	cd examples && ../build/debug/host/app/vantelle run tag-catalogue.vts
	mkdir -p build/demo
	cd build/demo && ../debug/host/app/vantelle run ../../examples/catalogue.vts
	@echo "The catalogue's first spread: $(CURDIR)/build/demo/catalogue.png"

test: build
	ctest --preset debug

bench: deps
	cmake --preset release >/dev/null
	cmake --build --preset release
	build/release/bench/vantelle_bench
	build/release/bench/vantelle_command_bench
	build/release/bench/vantelle_lookup_bench --benchmark_report_aggregates_only=true
	build/release/bench/vantelle_session_bench
	build/release/bench/vantelle_render_bench --benchmark_report_aggregates_only=true

fuzz: deps
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz

clean:
	rm -rf build
