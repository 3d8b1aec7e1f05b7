<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>TKLocalizerOnFly</name>
    <message>
        <source>LANGUAGE_NAME</source>
        <translation>English</translation>
    </message>
</context>
</TS>
