# The entry-pane tests.
