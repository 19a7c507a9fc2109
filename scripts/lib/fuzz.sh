# libFuzzer targets: a clang build with AddressSanitizer and
# UndefinedBehaviorSanitizer in its own folder, and time-boxed runs.
# shellcheck shell=bash
# Needs common.sh sourced first.

FUZZ_PACKAGES=(clang libclang-rt-14-dev)
FUZZ_TARGETS=(manifest settings zip)

# fuzz_build DIR
fuzz_build() {
    local dir="$1"
    cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
        -DWRENHOP_WERROR=ON -DWRENHOP_FUZZ=ON -DWRENHOP_SANITIZE=address,undefined -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$dir" -j "$(nproc)" --target "${FUZZ_TARGETS[@]/#/fuzz_}"
}

# fuzz_run DIR SECONDS: every target at once, each on its own copy of the
# seeds (the committed ones are never written). Fails when one finds a crash;
# the input is then DIR/fuzz/<target>/crash-*.
fuzz_run() {
    local dir="$1" seconds="$2"
    local target work dict pids=() failed=0 i
    for target in "${FUZZ_TARGETS[@]}"; do
        work="$dir/fuzz/$target"
        rm -rf "$work/tmp"
        mkdir -p "$work/corpus" "$work/tmp/temp" "$work/tmp/appdata"
        cp "$ROOT/tests/fuzz/corpus/$target/"* "$work/corpus/"
        dict=()
        [ -f "$ROOT/tests/fuzz/$target.dict" ] && dict=("-dict=$ROOT/tests/fuzz/$target.dict")
        TMPDIR="$work/tmp" TEMP="$work/tmp/temp" APPDATA="$work/tmp/appdata" \
        ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
            "$dir/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
            -artifact_prefix="$work/" "${dict[@]}" "$work/corpus" >"$work/log" 2>&1 &
        pids+=($!)
    done
    for i in "${!FUZZ_TARGETS[@]}"; do
        target="${FUZZ_TARGETS[$i]}"
        if wait "${pids[$i]}"; then
            echo "fuzz_$target: $(grep -E '^Done [0-9]+ runs' "$dir/fuzz/$target/log")"
        else
            failed=1
            echo "fuzz_$target FAILED; log: $dir/fuzz/$target/log" >&2
            tail -n 40 "$dir/fuzz/$target/log" >&2
        fi
    done
    return "$failed"
}

# The stage of scripts/test: each target for 30 seconds.
fuzz_stage() {
    install_packages "${FUZZ_PACKAGES[@]}"
    fuzz_build "$ROOT/build-fuzz"
    fuzz_run "$ROOT/build-fuzz" 30
}
