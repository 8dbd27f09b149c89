# The entry panes: sources added to orvik_browse.
