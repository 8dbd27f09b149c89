# Browsing benchmarks.
