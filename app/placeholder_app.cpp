namespace pintoola { void placeholder_app() {} }
