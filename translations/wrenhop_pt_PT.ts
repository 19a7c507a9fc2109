<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>DefLanguages</name>
    <message>
        <source>LID_PC_60000_01</source>
        <translation>Atualização do programa</translation>
    </message>
    <message>
        <source>LID_PC_60000_02</source>
        <translation>A transferir os ficheiros de instalação.</translation>
    </message>
    <message>
        <source>LID_PC_60000_03</source>
        <translation>O programa já está em execução</translation>
    </message>
    <message>
        <source>LID_PC_60000_04</source>
        <translation>O Cartaline já está em execução.</translation>
    </message>
    <message>
        <source>LID_PC_60000_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_01</source>
        <translation>Falha na atualização do programa</translation>
    </message>
    <message>
        <source>LID_PC_60100_02</source>
        <translation>A rede não está ligada. 
Não é possível prosseguir com a atualização.</translation>
    </message>
    <message>
        <source>LID_PC_60100_03</source>
        <translation>Verifique a rede (incluindo o cabo de rede e o router), a firewall e as definições do antivírus e tente novamente.</translation>
    </message>
    <message>
        <source>LID_PC_60100_04</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_05</source>
        <translation>Falha na atualização do programa</translation>
    </message>
    <message>
        <source>LID_PC_60100_06</source>
        <translation>Não foi possível encontrar o ficheiro de atualização.</translation>
    </message>
    <message>
        <source>LID_PC_60100_07</source>
        <translation>Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>LID_PC_60100_17</source>
        <translation>Se o problema persistir, contacte o serviço de apoio ao cliente.</translation>
    </message>
    <message>
        <source>LID_PC_60100_08</source>
        <translation>Visitar o site do apoio ao cliente</translation>
    </message>
    <message>
        <source>LID_PC_60100_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_10</source>
        <translation>Parar a atualização</translation>
    </message>
    <message>
        <source>LID_PC_60100_11</source>
        <translation>Parar a atualização agora?</translation>
    </message>
    <message>
        <source>LID_PC_60100_18</source>
        <translation>Se parar a atualização, o Cartaline será fechado automaticamente.</translation>
    </message>
    <message>
        <source>LID_PC_60100_12</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_13</source>
        <translation>Falha na atualização do programa</translation>
    </message>
    <message>
        <source>LID_PC_60100_14</source>
        <translation>Não foi possível atualizar o Cartaline.</translation>
    </message>
    <message>
        <source>LID_PC_60100_19</source>
        <translation>Pretende tentar novamente?</translation>
    </message>
    <message>
        <source>LID_PC_60100_15</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_16</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>LID_PC_60200_01</source>
        <translation>O Cartaline está pronto para ser atualizado.</translation>
    </message>
    <message>
        <source>LID_PC_60200_16</source>
        <translation>Para permitir esta alteração, introduza a palavra-passe.</translation>
    </message>
    <message>
        <source>LID_PC_60200_02</source>
        <translation>Nome de utilizador</translation>
    </message>
    <message>
        <source>LID_PC_60200_03</source>
        <translation>Palavra-passe</translation>
    </message>
    <message>
        <source>LID_PC_60200_04</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>LID_PC_60200_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_06</source>
        <translation>Falha na atualização do programa</translation>
    </message>
    <message>
        <source>LID_PC_60200_07</source>
        <translation>A rede não está ligada. 
Não é possível prosseguir com a atualização.</translation>
    </message>
    <message>
        <source>LID_PC_60200_08</source>
        <translation>Verifique a rede (incluindo o cabo de rede e o router), a firewall 
e as definições do antivírus e tente novamente.</translation>
    </message>
    <message>
        <source>LID_PC_60200_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_10</source>
        <translation>Falha na atualização do programa</translation>
    </message>
    <message>
        <source>LID_PC_60200_11</source>
        <translation>Não foi possível atualizar o programa.</translation>
    </message>
    <message>
        <source>LID_PC_60200_12</source>
        <translation>Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>LID_PC_60200_15</source>
        <translation>Se o problema persistir, contacte o serviço de apoio ao cliente.</translation>
    </message>
    <message>
        <source>LID_PC_60200_13</source>
        <translation>Visitar o site do apoio ao cliente</translation>
    </message>
    <message>
        <source>LID_PC_60200_14</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
